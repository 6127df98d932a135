#pragma once
// The off-screen renderer: lays a mark-up text out at a given width on a white page
// and writes it as a PNG. The document supplies the named resources.
#include <string>

class CChDocument;

// Answers the page's height, or 0 when the file could not be written.
int RenderToPng(CChDocument& document, std::u16string_view text, int width, const std::u16string& path);
