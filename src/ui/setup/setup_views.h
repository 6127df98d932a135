#pragma once
// The four setup pages that the shared configuration object offers, in the host's order:
// General, Accounts, Categories, Exceptions.
#include <memory>

#include "parental/parental_config.h"

namespace parental::corvui {

std::unique_ptr<ISetupViews> MakeSetupViews(CParentalConfig& config);

}  // namespace parental::corvui
