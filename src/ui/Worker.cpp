#include "ui/Worker.h"

#include <QThread>
#include <algorithm>
#include <cmath>

namespace ui {

void Worker::Task::progress(double share)
{
  // A message to the window only when the bar would move (a thousandth).
  const int permille = static_cast<int>(std::lround(std::clamp(share, 0.0, 1.0) * 1000));
  if (permille_.exchange(permille) == permille)
    return;
  Worker *worker = worker_;
  const quint64 id = id_;
  QMetaObject::invokeMethod(worker, [worker, id, permille] { worker->reportProgress(id, permille / 1000.0); },
                            Qt::QueuedConnection);
}

Worker::Worker(QObject *parent) : QObject(parent) {}

Worker::~Worker()
{
  next_.reset();
  if (thread_) {
    current_->task->cancel_ = true;
    thread_->wait();
    delete thread_;
  }
}

void Worker::launch(std::function<void(Task &)> run, std::function<void()> deliver)
{
  auto piece = std::make_unique<Piece>();
  piece->run = std::move(run);
  piece->deliver = std::move(deliver);
  piece->task.reset(new Task(this, ++lastId_));
  if (!current_) {
    begin(std::move(piece));
    return;
  }
  // Replaced: the running piece stops at its next look and is forgotten.
  current_->dropped = true;
  current_->task->cancel_ = true;
  next_ = std::move(piece);
}

void Worker::begin(std::unique_ptr<Piece> piece)
{
  current_ = std::move(piece);
  Piece *p = current_.get();
  thread_ = QThread::create([p] {
    try {
      p->run(*p->task);
    } catch (...) {
      // Nothing comes back: the piece hands back an empty result.
    }
  });
  connect(thread_, &QThread::finished, this, &Worker::ended);
  thread_->start();
}

void Worker::ended()
{
  thread_->wait();
  delete thread_;
  thread_ = nullptr;
  std::unique_ptr<Piece> finished = std::move(current_);
  if (next_)
    begin(std::move(next_));
  if (!finished->dropped)
    finished->deliver(); // may start the next piece itself
  if (!current_)
    emit idle();
}

void Worker::cancel()
{
  next_.reset();
  if (current_)
    current_->task->cancel_ = true;
}

void Worker::drop()
{
  cancel();
  if (current_)
    current_->dropped = true;
}

void Worker::reportProgress(quint64 id, double share)
{
  if (current_ && current_->task->id_ == id && !current_->dropped)
    emit progressed(share);
}

} // namespace ui
