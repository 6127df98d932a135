#pragma once
// Pictures of user accounts as the shell keeps them, loaded as 48 x 48 bitmaps and cached
// by "domain\user". Where the shell has no picture service (Wine) there are none.
#include <windows.h>

#include <map>
#include <string>

namespace parental::corvui {

class AccountPictures {
 public:
  AccountPictures() = default;
  AccountPictures(const AccountPictures&) = delete;
  AccountPictures& operator=(const AccountPictures&) = delete;
  ~AccountPictures();

  // Loads the account's picture afresh into the cache (replacing and deleting the bitmap
  // held before); the bitmap, or null when the shell gives none.
  HBITMAP Load(const std::u16string& user, const std::u16string& domain, const std::u16string& computer);

 private:
  std::map<std::u16string, HBITMAP> cache_;
};

}  // namespace parental::corvui
