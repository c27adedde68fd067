// An executable of any bytes: its version record read field by field.
#include "FuzzSupport.h"

#include "form/version/FileVersionInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
  version::CFileVersionInfo info;
  info.setFullPath(fuzz::writeInput(QStringLiteral("programa.exe"), data, size));
  if (info.Available()) {
    (void)info.FileVersion();
    (void)info.LanguageName();
    (void)info.StringFileInfo(QStringLiteral("CompanyName"));
    (void)info.StringFileInfo(QStringLiteral("ProductName"));
  }
  (void)version::versionLabel(info.FullPath());
  return 0;
}
