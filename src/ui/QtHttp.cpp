#include "ui/QtHttp.h"

#include "text/SequentialFile.h"

#include <QNetworkReply>
#include <memory>

namespace ui {

void QtHttp::get(const QString &url, std::function<void(const controls::HttpReply &)> done)
{
  QNetworkRequest request{QUrl(url)};
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
  request.setTransferTimeout(30000);
  QNetworkReply *reply = manager_.get(request);
  if (onRunning)
    onRunning(true);
  // No season or league file comes near the cap: a larger answer is not one,
  // and is dropped before it fills the memory.
  auto tooLarge = std::make_shared<bool>(false);
  QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [this, reply, tooLarge](qint64 received, qint64 total) {
    if (received > text::kMaxInputBytes || total > text::kMaxInputBytes) {
      *tooLarge = true;
      reply->abort();
      return;
    }
    if (onProgress)
      onProgress(received, total);
  });
  QObject::connect(reply, &QNetworkReply::finished, reply, [this, reply, done, tooLarge] {
    controls::HttpReply result;
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.error = reply->error() == QNetworkReply::NoError ? QString() : reply->errorString();
    // The body in chunks of 1024 bytes, in order.
    for (QByteArray chunk = reply->read(1024); !chunk.isEmpty() && !*tooLarge; chunk = reply->read(1024))
      result.body += chunk;
    if (*tooLarge) {
      result.body.clear();
      result.error = QStringLiteral("la respuesta pasa de %1 MB").arg(text::kMaxInputBytes / (1024 * 1024));
    }
    // A body cut short ends in a network error. Its length is not compared
    // with Content-Length, which counts the compressed bytes of a gzip reply:
    // reading the whole body is the check.
    result.completed = reply->error() == QNetworkReply::NoError && !*tooLarge;
    reply->deleteLater();
    if (onRunning)
      onRunning(false);
    done(result);
  });
}

} // namespace ui
