#pragma once
// Starting, resetting and stopping the stand-in host, and its main frame window.

#include "platform/ui/Window.h"

#include <string>

namespace cad {

// The host's main window (the frame around the documents).
class MainFrame : public ui::Window {
public:
    MainFrame() : ui::Window(L"ovcad", ui::WindowKind::Frame) { m_mdiClient.SetParent(this); }
    // Shows the frame (restored when it was minimised) and makes it the active window.
    void ActivateFrame(int showCommand = -1);
    // The part of the frame where the drawings' windows are (its MDI client area): a child
    // window, which a host with real windows keeps over its drawing view.
    ui::Window& MdiClient() { return m_mdiClient; }

private:
    ui::Window m_mdiClient{L"", ui::WindowKind::Control};
};

struct HostOptions {
    // Folder of the drawing templates ("acad.dwt" among them); logical path.
    std::wstring templateFolder;
    // The profile file; empty keeps the profile in memory.
    std::wstring profilePath;
    // Where drawings that have no file yet are; empty takes the process's current folder.
    std::wstring drawingFolder;
    // Whether to open a first drawing from "acad.dwt".
    bool startWithDrawing = true;
};

// Starts the host: profile, settings, built-in commands, the frame and a first drawing. Also
// brings a host that ran before back to the start (tests start one per case).
void StartHost(const HostOptions& options);
// Unloads every module and closes every document without asking.
void StopHost();

} // namespace cad

cad::MainFrame* acedGetAcadFrame();
// The main window as the parent of dialogs and message boxes.
ui::Window* adsw_acadMainWnd();
