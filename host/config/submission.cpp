#include "config/submission.h"

#include <cstring>

namespace host {

bool ReadSubmission(const PlugCallRecord& record, const char** text, std::size_t* length,
                    std::string& error) {
  const char* input = FromAddress<const char>(record.input);
  SubmissionHeader header{};
  if (record.innerCode != kInnerSubmitXml || !input || record.inputSize < sizeof(header)) {
    error = "not a configuration document";
    return false;
  }
  std::memcpy(&header, input, sizeof(header));
  if (header.headerSize != sizeof(header) || header.kind != 3 || header.textOffset != sizeof(header) ||
      header.textLength == 0 || header.textLength != record.inputSize - sizeof(header) ||
      input[sizeof(header) + header.textLength - 1] != 0) {
    error = "bad submission header";
    return false;
  }
  *text = input + sizeof(header);
  *length = header.textLength - 1;
  return true;
}

}  // namespace host
