// A dialog template as Windows takes it from memory: the DLGTEMPLATE and its
// DLGITEMTEMPLATEs, in dialog units, with the template's font.
#pragma once

#include <windows.h>

#include <vector>

#include "res/templates/dialog_template.h"

namespace skinwright::win32 {

// Word-aligned storage whose first byte is the DLGTEMPLATE.
class MemoryTemplate {
public:
    explicit MemoryTemplate(const templates::DialogTemplate& dialog);
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void Add(WORD word);
    void AddDword(DWORD value);
    void AddText(const std::wstring& text);
    void AlignToDword();
    void AddControl(const templates::ControlTemplate& control);

    std::vector<WORD> words_;
};

}  // namespace skinwright::win32
