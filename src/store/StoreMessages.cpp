#include "store/StoreMessages.h"

#include "platform/ui/MessageBox.h"

namespace store {

void ShowPlainMessage(std::wstring_view strText) {
    ui::MessageBox(nullptr, strText, kModuleCaption, ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

void ShowMessage(std::wstring_view strText, std::wstring_view strCaption, unsigned flags) {
    ui::MessageBox(nullptr, strText, strCaption, flags);
}

} // namespace store
