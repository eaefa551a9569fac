#pragma once
// CReadAworkSys: the drawing settings "LocalData\awork.sys" of the installation. The file is
// read once per object, on the first getter; each getter applies its key's default and rule.
// A line belongs to a key when it begins with the key exactly; the first such line wins.

#include <string>
#include <vector>

class CReadAworkSys {
public:
    CReadAworkSys();
    virtual ~CReadAworkSys();

    // Reads the file now (the getters do it on first use). 0 when it could not be opened; the
    // command line then says why and every key keeps its default.
    int ReadAworkSys();
    // The value of the first line that begins with the key, blanks removed (the default text
    // style keeps its blanks); "" when no line begins with it.
    std::wstring GetAworkValue(const std::wstring& strKey);

    int GetSymbolNewOldFlag();                  // "符号新旧标: "
    std::wstring GetDefaultTextStyle();         // "默认文字样式: "
    int GetWireCrossNodeSize();                 // "连线交叉结点大小: "
    int GetTJunctionCrossMark();                // "T型连线交叉点: "
    double GetComponentLocationTextHeight();    // "元件安装位置文字字高: "
    double GetComponentLabelTextHeight();       // "元件标号文字字高: "
    int GetVerticalSymbolLabelPosition();       // "垂直符号标号文字位置: "
    int GetVerticalSymbolLabelDirection();      // "垂直符号标号文字方向: "
    int GetSingleEndHorizontalLabelPosition();  // "单端水平符号标号文字位置"
    int GetSingleEndVerticalLabelPosition();    // "单端垂直符号标号文字位置"
    double GetPinNumberTextHeight();            // "元件管角号文字字高: "
    int GetHorizontalSymbolPinNumberPosition(); // "水平符号管脚号文字位置: "
    int GetVerticalSymbolPinNumberPosition();   // "垂直符号管脚号文字位置: "
    int GetVerticalSymbolPinNumberDirection();  // "垂直符号管脚号文字方向: "
    double GetWireNumberTextHeight();           // "连线线号文字字高: "
    double GetWireNumberTextDistance();         // "线号文字到线的距离: "
    int GetVerticalWireNumberPosition();        // "垂直连线线号文字位置: "
    int GetVerticalWireNumberDirection();       // "垂直连线线号文字方向: "
    int GetCircuitBlocksExplodable();           // "电路图图块允许炸开: "
    int GetDefaultDwgOpenMode();                // "打开DWG默认启动方式: "
    std::wstring GetTitleBlockType();           // "标题栏类型: "
    int GetTitleBlockExplodable();              // "标题栏图块允许炸开: "
    std::wstring GetAdaptiveWiringMark();       // "接线连线自适应标识: "
    int IsAdaptiveWiring();                     // ... contains "是"
    std::wstring GetProtectionLabelSeparator(); // "继保端子及装置标号与端号之间加分隔符: "
    int HasProtectionLabelSeparator();          // ... contains no "0"
    int GetTerminalTableFormat();               // "端子表格式: "
    int GetWiringComponentNumbering();          // "接线图元件序号: "
    int GetWiringFormat();                      // "接线格式: "
    double GetComponentWiringNoteTextHeight();      // "元件接线标注文字字高: "
    double GetSubPanelNameTextHeight();             // "分板名称文字字高: "
    double GetComponentWiringLineLength();          // "元件接线线长: "
    double GetLayoutNoteTextHeight();               // "元件布置标注文字字高: "
    double GetOuterFrameWidth();                    // "外框宽度: "
    double GetOuterFrameHeight();                   // "外框高度: "
    double GetOuterFrameDiameter();                 // "外框直径: "
    double GetComponentWireNumberDistance();        // "元件线号到线距离: "
    double GetLayoutHeaderCircleDiameter();         // "元件布置标头圆圈直径: "
    std::wstring GetComponentWiringTextFormat();    // "元件接线文字格式: "
    std::wstring GetWireColourTextPosition();       // "导线颜色文字位置: "
    double GetWireColourTextDistance();             // "导线颜色文字到连线距离: "
    int GetSameComponentPinWiringMode();            // "同元件引脚接线方式:"
    std::wstring GetJumperToComponentDistance();    // "短接线到元件的距离:"
    std::wstring GetJumperPitch();                  // "短接线之间的阶距:"
    std::wstring GetWiringTextWidth();              // "接线文字宽度:"
    std::wstring GetDeviceTerminalWireCount();      // "装置端子接线数量:"
    std::wstring GetComponentDescriptionPosition(); // "元件描述文字显示位置:"
    int GetSoftCurVersion();                        // "软件当前版本: "
    int GetIsRelayProtectionVersion();              // "是否是继电保护版: "
    int GetSchematicTerminalTableAsWiring(); // "原理图端子表作为接线图端子表: "
    int GetUseSpareTerminalEnds();           // "是否利用端子空余接线端: "
    int GetTerminalEndTakesTwoWires();       // "端子一端是否接两根线: "
    int GetProtectionTerminalsAsOrdinary();  // "继电保护端子作为普通端子: "
    std::wstring GetWiringTerminalTableSeparatorFormat(); // "接线图端子表分隔符格式: "
    int GetWiringBlocksExplodable();                      // "接线图图块允许炸开: "

private:
    struct Value {
        int nValue = 0;
        double dValue = 0.0;
        std::wstring strValue;
    };

    void EnsureRead();
    int Int(int key);
    double Real(int key);
    const std::wstring& Text(int key);
    double PositiveOr(int key, double dDefault);
    // The six keys that installations of version "2" fix.
    int VersionFixed(int key, int nFixed);

    int m_bRead = 0;
    std::vector<std::wstring> m_arrLines;
    std::vector<Value> m_values;
};
