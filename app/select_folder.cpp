#include "app/select_folder.h"

#include <windows.h>
// shlobj.h builds on windows.h.
#include <shlobj.h>

#include "app/application_window.h"

namespace app {
namespace {

class ItemList {
 public:
  explicit ItemList(PIDLIST_ABSOLUTE item) : item_(item) {}
  ~ItemList() { CoTaskMemFree(item_); }
  ItemList(const ItemList&) = delete;
  ItemList& operator=(const ItemList&) = delete;
  PIDLIST_ABSOLUTE Get() const { return item_; }

 private:
  PIDLIST_ABSOLUTE item_;
};

}  // namespace

void SelectFolder(std::string& chosen, const std::string& title, std::string& folder) {
  char path[MAX_PATH + 1] = {};
  BROWSEINFOA request = {};
  request.hwndOwner = app::ApplicationWindow();
  request.pszDisplayName = path;
  request.lpszTitle = title.c_str();
  request.ulFlags = BIF_RETURNONLYFSDIRS;
  const ItemList item(SHBrowseForFolderA(&request));
  if (item.Get() == nullptr || !SHGetPathFromIDListA(item.Get(), path)) return;
  path[MAX_PATH] = '\0';
  chosen = path;
  folder = chosen;
}

}  // namespace app
