#pragma once
// The host's modules as the status page sees them: parental control's state in the status
// table (1 off, 2 not working, 3 off, 4 on) and whether encrypted traffic is filtered. The
// state codes of requests 0x20004 and 0x20008 follow from them: parental control is active
// only in state 4.
#include <cstdint>

#include "frame/protocol/records.h"

namespace host {

constexpr std::uint32_t kParentalModule = 0x2020001, kEncryptedTrafficModule = 0x2020002;
constexpr std::uint32_t kStateOff = 1, kStateFailed = 2, kStateOn = 4;

struct ModuleState {
  std::uint32_t parental = kStateOn;
  bool trafficFiltered = false;
};

PanelStateRecord StateCodes(const ModuleState& state);

}  // namespace host
