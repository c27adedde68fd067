#pragma once
// HTTP GET through Qt's network access (HTTP and HTTPS). The reply is handed
// back on the thread that asked, once the transfer has ended.

#include "controls/Services.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace ui {

// A failed transfer in the program's own words, naming the server: "No se
// pudo conectar con raw.githubusercontent.com (servidor no encontrado)", or
// the HTTP status it answered with. Qt's own texts are not used: translated,
// they call a host "Equipo", which a football player reads as a team.
QString transferErrorText(QNetworkReply::NetworkError error, const QString &host, int status);

class QtHttp : public controls::HttpService {
public:
  void get(const QString &url, std::function<void(const controls::HttpReply &)> done) override;
  // Told as the body arrives: bytes received and expected (-1 when unknown).
  std::function<void(qint64, qint64)> onProgress;
  // Told when a transfer starts or ends, for the window's progress line.
  std::function<void(bool)> onRunning;
  // A transfer that sends nothing for this long is given up.
  int transferTimeoutMs = 30000;

private:
  QNetworkAccessManager manager_;
};

} // namespace ui
