#pragma once
// The list files of terminal types ("Data\DZBDZLXFH.txt"), wire types ("Data\DZBDXLXFH.txt")
// and circuit types ("Data\DZBHUILUFH.txt"): one type per line, "name:symbol,width,...". A
// missing or empty file is replaced by the built-in lines.

#include <string>
#include <vector>

struct TerminalTypeFields {
    std::wstring name, symbol, width, rest;
};
struct WireTypeFields {
    std::wstring name, symbol, width, fourth, rest;
};
struct CircuitTypeFields {
    std::wstring name, symbol;
};

TerminalTypeFields ParseTerminalTypeLine(const std::wstring& strLine);
WireTypeFields ParseWireTypeLine(const std::wstring& strLine);
CircuitTypeFields ParseCircuitTypeLine(const std::wstring& strLine);

// Parallel lists in file order.
void ReadTerminalTypes(std::vector<std::wstring>& names, std::vector<std::wstring>& symbols,
                       std::vector<std::wstring>& widths, std::vector<std::wstring>& rests);
void ReadWireTypes(std::vector<std::wstring>& names, std::vector<std::wstring>& symbols,
                   std::vector<std::wstring>& widths, std::vector<std::wstring>& fourths,
                   std::vector<std::wstring>& rests);
void ReadCircuitTypes(std::vector<std::wstring>& names, std::vector<std::wstring>& symbols);
