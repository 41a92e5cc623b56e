#include "stores/folder_forms.h"

#include <algorithm>

namespace stores {

std::string WindowsFolderForm(const std::string& folder) {
  std::string form = folder;
  std::replace(form.begin(), form.end(), '/', '\\');
  form.erase(form.find_last_not_of('\\') + 1);
  return form;
}

std::string ZDriveForm(const std::string& linux_folder) {
  if (linux_folder.empty() || linux_folder[0] != '/') return std::string();
  return WindowsFolderForm("Z:" + linux_folder);
}

std::string HomeFromWineHomeDir(const std::string& wine_home_dir) {
  const std::string prefix = "\\??\\";
  if (wine_home_dir.compare(0, prefix.size(), prefix) != 0) return std::string();
  const std::string home = wine_home_dir.substr(prefix.size());
  const bool names_a_drive =
      home.size() >= 2 && home[1] == ':' &&
      ((home[0] >= 'A' && home[0] <= 'Z') || (home[0] >= 'a' && home[0] <= 'z')) &&
      (home.size() == 2 || home[2] == '\\');
  return names_a_drive ? WindowsFolderForm(home) : std::string();
}

}  // namespace stores
