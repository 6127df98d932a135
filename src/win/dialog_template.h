#pragma once
// CDialogTemplate: a private copy of a dialog template resource that a caller may change
// (font, styles) before a dialog is created from it. Both template forms are read
// (DLGTEMPLATE and DLGTEMPLATEEX).
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class CDialogTemplate {
 public:
  // Copies template `id`, from the language library when it has one, else from the plug-in.
  bool Load(UINT id);
  // Copies a template given as bytes (tests, templates built in memory).
  bool SetTemplate(const void* data, size_t size);

  const DLGTEMPLATE* Data() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }
  bool IsEmpty() const { return bytes_.empty(); }
  bool IsExtended() const;
  DWORD Style() const;
  void SetStyle(DWORD style);
  DWORD ExStyle() const;
  void SetExStyle(DWORD exStyle);
  // The font of the template (DS_SETFONT); empty face when it names none.
  std::u16string FontFace() const;
  WORD FontSize() const;
  // Replaces the font, or gives the template one; the controls follow unchanged.
  bool SetFont(std::u16string_view face, WORD pointSize);

 private:
  struct Layout {
    size_t fontStart = 0;  // where the font fields begin (or would begin)
    size_t itemsStart = 0; // the first control, DWORD-aligned
    bool valid = false;
  };
  Layout Parse() const;
  size_t StyleOffset() const { return IsExtended() ? 12 : 0; }
  size_t ExStyleOffset() const { return IsExtended() ? 8 : 4; }

  std::vector<std::uint8_t> bytes_;
};
