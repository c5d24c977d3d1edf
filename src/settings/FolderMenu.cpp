#include "settings/FolderMenu.h"

#include <string>

#include "settings/RegistryObjects.h"

void UpdateFolderMenu(Registry& registry, std::string_view executablePath, bool enable) {
  TRegistry classes(registry, TRootKey::ClassesRoot);
  if (classes.OpenKey("\\Folder\\shell", TKeyOpening::Existing)) {
    classes.DeleteKey("\\Folder\\shell\\Usage Pie Chart\\command");
    classes.DeleteKey("\\Folder\\shell\\Usage Pie Chart");
  }
  const std::string command = "\"" + std::string(executablePath) + "\" \"%1\"";
  for (const char* classKey : {"\\Directory", "\\Drive"}) {
    const std::string shell = std::string(classKey) + "\\shell";
    if (!classes.OpenKey(shell, TKeyOpening::Existing)) continue;
    if (enable) {
      if (classes.OpenKey(shell + "\\UsagePieChart", TKeyOpening::OrCreate)) classes.WriteString("", "&Usage Pie Chart");
      if (classes.OpenKey(shell + "\\UsagePieChart\\command", TKeyOpening::OrCreate)) classes.WriteString("", command);
    } else {
      classes.DeleteKey(shell + "\\UsagePieChart\\command");
      classes.DeleteKey(shell + "\\UsagePieChart");
    }
  }
  classes.CloseKey();
}
