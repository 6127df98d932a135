// Submission records: the text is found behind a well-formed header, and anything else
// is refused before its text is looked at.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "config/submission.h"

namespace {

std::vector<char> Submission(const std::string& text) {
  SubmissionHeader header{16, 3, 16, std::uint32_t(text.size() + 1)};
  std::vector<char> bytes(sizeof(header) + text.size() + 1);
  std::memcpy(bytes.data(), &header, sizeof(header));
  std::memcpy(bytes.data() + sizeof(header), text.c_str(), text.size() + 1);
  return bytes;
}

TEST(Submission, FindsTheTextBehindTheHeader) {
  std::vector<char> bytes = Submission("<Corvid />\n");
  PlugCallRecord record{kInnerSubmitXml, AddressOf(bytes.data()), bytes.size(), 0, 0, 0, 0};
  const char* text = nullptr;
  std::size_t length = 0;
  std::string error;
  ASSERT_TRUE(host::ReadSubmission(record, &text, &length, error));
  EXPECT_EQ(std::string(text, length), "<Corvid />\n");

  auto refused = [&](std::vector<char> input, std::uint64_t size, std::uint32_t inner = kInnerSubmitXml) {
    PlugCallRecord r{inner, AddressOf(input.data()), size, 0, 0, 0, 0};
    return !host::ReadSubmission(r, &text, &length, error);
  };
  EXPECT_TRUE(refused(bytes, bytes.size(), kInnerCategories));
  EXPECT_TRUE(refused(bytes, 12));                // shorter than the header
  EXPECT_TRUE(refused(bytes, bytes.size() - 1));  // length disagrees with the header
  std::vector<char> unterminated = bytes;
  unterminated.at(unterminated.size() - 1) = 'x';
  EXPECT_TRUE(refused(unterminated, bytes.size()));
  std::vector<char> otherKind = bytes;
  otherKind[4] = 4;
  EXPECT_TRUE(refused(otherKind, bytes.size()));
  std::vector<char> empty = Submission("");
  empty[12] = 0;  // a text length of 0
  EXPECT_TRUE(refused(empty, 16));
}

}  // namespace
