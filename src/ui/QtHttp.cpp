#include "ui/QtHttp.h"

#include "text/SequentialFile.h"

#include <QNetworkReply>
#include <memory>

namespace ui {

namespace {

QString statusText(int status)
{
  switch (status) {
  case 400: return QStringLiteral("petición incorrecta");
  case 401: return QStringLiteral("hace falta identificarse");
  case 403: return QStringLiteral("acceso prohibido");
  case 404: return QStringLiteral("el archivo no existe");
  case 408: return QStringLiteral("se agotó el tiempo de espera");
  case 410: return QStringLiteral("el archivo ya no existe");
  case 429: return QStringLiteral("demasiadas peticiones seguidas");
  case 500: return QStringLiteral("error interno del servidor");
  case 502: return QStringLiteral("pasarela incorrecta");
  case 503: return QStringLiteral("servicio no disponible");
  case 504: return QStringLiteral("la pasarela no respondió a tiempo");
  default: return QString();
  }
}

} // namespace

QString transferErrorText(QNetworkReply::NetworkError error, const QString &host, int status)
{
  const QString server = host.isEmpty() ? QStringLiteral("el servidor") : host;
  auto noConnection = [&server](const QString &why) {
    return QStringLiteral("No se pudo conectar con %1 (%2)").arg(server, why);
  };
  switch (error) {
  case QNetworkReply::NoError: return QString();
  case QNetworkReply::HostNotFoundError: return noConnection(QStringLiteral("servidor no encontrado"));
  case QNetworkReply::ConnectionRefusedError: return noConnection(QStringLiteral("conexión rechazada"));
  case QNetworkReply::TimeoutError:
  case QNetworkReply::OperationCanceledError: // also what the transfer's own time limit gives
    return QStringLiteral("%1 no respondió a tiempo").arg(server);
  case QNetworkReply::RemoteHostClosedError:
    return QStringLiteral("%1 cerró la conexión antes de terminar").arg(server);
  case QNetworkReply::SslHandshakeFailedError:
    return noConnection(QStringLiteral("falló la conexión segura SSL; revise la fecha y la hora del ordenador"));
  case QNetworkReply::TemporaryNetworkFailureError:
  case QNetworkReply::NetworkSessionFailedError:
  case QNetworkReply::BackgroundRequestNotAllowedError:
    return noConnection(QStringLiteral("no hay red"));
  case QNetworkReply::ProxyConnectionRefusedError:
  case QNetworkReply::ProxyConnectionClosedError:
  case QNetworkReply::ProxyNotFoundError:
  case QNetworkReply::ProxyTimeoutError:
  case QNetworkReply::ProxyAuthenticationRequiredError:
    return noConnection(QStringLiteral("falló el proxy"));
  case QNetworkReply::TooManyRedirectsError:
  case QNetworkReply::InsecureRedirectError:
    return QStringLiteral("%1 redirige la descarga a otro sitio que no se sigue").arg(server);
  default: break;
  }
  if (status >= 400) {
    const QString why = statusText(status);
    return why.isEmpty() ? QStringLiteral("%1 respondió con el error HTTP %2").arg(server).arg(status)
                         : QStringLiteral("%1 respondió con el error HTTP %2 (%3)").arg(server).arg(status).arg(why);
  }
  return QStringLiteral("Falló la descarga desde %1 (error de red %2)").arg(server).arg(int(error));
}

void QtHttp::get(const QString &url, std::function<void(const controls::HttpReply &)> done)
{
  QNetworkRequest request{QUrl(url)};
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
  request.setTransferTimeout(transferTimeoutMs);
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
    result.error = transferErrorText(reply->error(), reply->url().host(), result.status);
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
