// The tour of the reference host: a script walks the typical roads from an empty
// configuration, and an index page shows what it passed.
#include <cstdio>
#include <fstream>

#include "common/text.h"
#include "config/config_apply.h"
#include "platform/registry_values.h"
#include "reference_host.h"

namespace host {

bool ReferenceHost::StartTour() {
  const std::wstring folder = options_.tour.substr(0, options_.tour.size() - 1);
  if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
    std::fprintf(stderr, "parental-host: cannot make the tour's folder\n");
    return false;
  }
  // Every visitor starts from the same place: no parental-control configuration.
  parental::platform::IRegistryStore& registry = parental::platform::DefaultRegistry();
  const std::u16string root(kMirrorRoot);
  const std::size_t last = root.rfind(u'\\');
  parental::platform::ScopedKey parent(
      registry, registry.Open(registry.Root(parental::platform::RegRoot::LocalMachine), root.substr(0, last), true));
  const std::u16string name = root.substr(last + 1);
  if (parent) parental::platform::DeleteKeyTree(registry, parent.get(), name);
  parental::platform::ScopedKey left(registry, parent ? registry.Open(parent.get(), name, false) : parental::platform::RegKey{});
  if (left) {
    std::fprintf(stderr, "parental-host: cannot remove the stored configuration the tour starts without\n");
    return false;
  }
  return true;
}

bool ReferenceHost::FinishTour() {
  const std::wstring index = options_.tour + L"index.html";
  std::ofstream out(index.c_str(), std::ios::binary | std::ios::trunc);
  out << tourIndex_.Html();
  out.close();
  events_.push_back("tour: " + std::to_string(tourIndex_.Screenshots()) + " screenshots, index " +
                    parental::common::ToUtf8(parental::common::AsText(index.c_str())) +
                    (out ? "" : " could not be written"));
  return bool(out);
}

}  // namespace host
