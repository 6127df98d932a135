// XmlLite reading: malformed texts are refused. (What the plug-in writes, read by XmlLite
// and applied: the model's tests under Wine, tests/parental.)
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "config/xml_reader.h"

namespace {

using host::XmlElement;

TEST(XmlReader, RefusesMalformedText) {
  const char* bad[] = {
      "",
      "<Corvid><SECTION></Corvid>",
      "<Corvid/><Corvid/>",
      "<Corvid>text</Corvid>",
      "<!DOCTYPE Corvid [<!ENTITY e \"x\">]><Corvid NAME=\"&e;\"/>",
      "<Corvid NAME=\"unterminated/>",
      "\xff\xfe<Corvid/>",
  };
  for (const char* text : bad) {
    XmlElement root;
    std::string error;
    EXPECT_FALSE(host::ParseXml(text, std::strlen(text), root, error)) << text;
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
