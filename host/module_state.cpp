#include "module_state.h"

namespace host {

namespace {
// Parental control running, stopped by a failure, and switched off.
constexpr std::uint32_t kCodeActive = 0x82020001, kCodeFailed = 0x42020001, kCodeOff = kParentalModule;
}  // namespace

PanelStateRecord StateCodes(const ModuleState& state) {
  PanelStateRecord record{};
  record.codes[record.count++] = state.parental == kStateOn ? kCodeActive
                                 : state.parental == kStateFailed ? kCodeFailed
                                                                  : kCodeOff;
  if (state.trafficFiltered) record.codes[record.count++] = kEncryptedTrafficModule;
  return record;
}

}  // namespace host
