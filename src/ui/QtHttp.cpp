#include "ui/QtHttp.h"

#include <QNetworkReply>

namespace ui {

void QtHttp::get(const QString &url, std::function<void(const controls::HttpReply &)> done)
{
  QNetworkRequest request{QUrl(url)};
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
  request.setTransferTimeout(30000);
  QNetworkReply *reply = manager_.get(request);
  if (onRunning)
    onRunning(true);
  if (onProgress)
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                     [this](qint64 received, qint64 total) { onProgress(received, total); });
  QObject::connect(reply, &QNetworkReply::finished, reply, [this, reply, done] {
    controls::HttpReply result;
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.error = reply->error() == QNetworkReply::NoError ? QString() : reply->errorString();
    // The body in chunks of 1024 bytes, in order.
    for (QByteArray chunk = reply->read(1024); !chunk.isEmpty(); chunk = reply->read(1024))
      result.body += chunk;
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    result.completed = reply->error() == QNetworkReply::NoError &&
                       (!length.isValid() || length.toLongLong() == result.body.size());
    reply->deleteLater();
    if (onRunning)
      onRunning(false);
    done(result);
  });
}

} // namespace ui
