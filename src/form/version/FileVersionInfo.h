#pragma once
// The file version record: what the version resource of a file says, kept as
// texts. The program points one at its own file at start-up and shows the
// product version beside the general standings; the credits show the rest.

#include <QByteArray>
#include <QString>

namespace version {

class CFileVersionInfo {
public:
  // Resolves the path to an absolute one and reads its resource; a path that
  // cannot be resolved changes nothing.
  void setFullPath(const QString &path);
  void refresh();

  QString FullPath() const { return fullPath_; }
  bool Available() const { return available_; }
  QString StructVersion() const { return structVersion_; }
  QString FileVersion() const { return fileVersion_; }
  QString ProductVersion() const { return productVersion_; }
  QString FileFlags() const { return fileFlags_; }
  QString FileOS() const { return fileOS_; }
  QString FileType() const { return fileType_; }
  QString FileSubtype() const { return fileSubtype_; }
  QString LanguageName() const { return languageName_; }
  QString ProductVersionText() const { return productVersionText_; }
  // Any string of the first translation's table ("CompanyName", "ProductName"...);
  // empty when the file has none.
  QString StringFileInfo(const QString &name) const;

private:
  // Text of a zero-terminated narrow string, read no further than `length` bytes.
  static QString textUpToZero(const void *pointer, quint32 length);
  // `length` bytes from a pointer, copied as they are.
  static QByteArray copyBytes(const void *pointer, quint32 length);

  QString fullPath_;
  bool available_ = false;
  QString structVersion_, fileVersion_, productVersion_, fileFlags_, fileOS_, fileType_, fileSubtype_;
  QString languageName_, productVersionText_;
  QByteArray buffer_;       // what GetFileVersionInfoA filled
  QString translationCode_; // "0C0A04E4", empty without a translation
};

// "Ver.: " and the product version of a program file ("Ver.: " alone when it has none).
QString versionLabel(const QString &programFile);

} // namespace version
