#pragma once
// Long work off the window's thread: one piece at a time on a thread of its
// own, its progress and its result handed back on the window's thread. A new
// piece asked for while one runs replaces it: the running one is told to stop
// and its result is dropped, and the new one starts once it has stopped.
// Cancel tells the running piece to stop and still hands back what it gives.

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QThread;

namespace ui {

class Worker : public QObject {
  Q_OBJECT
public:
  // What a piece of work sees of the window: whether it should stop, and
  // where to say how far it has gone. Both may be used from the worker thread.
  class Task {
  public:
    const std::atomic<bool> *cancelFlag() const { return &cancel_; }
    bool cancelled() const { return cancel_.load(); }
    void progress(double share); // 0 to 1

  private:
    friend class Worker;
    Task(Worker *worker, quint64 id) : worker_(worker), id_(id) {}
    Worker *worker_; // alive while the piece runs: the worker waits for it before it goes
    quint64 id_;
    std::atomic<bool> cancel_{false};
    std::atomic<int> permille_{-1};
  };

  explicit Worker(QObject *parent = nullptr);
  ~Worker() override; // tells the running piece to stop and waits for it

  // `work` runs on the worker thread; `done` on this object's thread with its
  // result, or with nothing when the work threw (out of memory).
  template <typename R>
  void start(std::function<R(Task &)> work, std::function<void(std::optional<R>)> done)
  {
    auto result = std::make_shared<std::optional<R>>();
    launch([work = std::move(work), result](Task &task) { *result = work(task); },
           [done = std::move(done), result] { done(std::move(*result)); });
  }
  void cancel(); // the running piece stops soon and hands back what it has; a piece waiting is forgotten
  void drop();   // the same, and what the running piece gives back is forgotten too
  bool busy() const { return current_ != nullptr; }

signals:
  void progressed(double share); // of the running piece
  void idle();                   // the last piece's result has been handed back and nothing waits

private:
  struct Piece {
    std::function<void(Task &)> run;
    std::function<void()> deliver;
    std::unique_ptr<Task> task;
    bool dropped = false;
  };
  void launch(std::function<void(Task &)> run, std::function<void()> deliver);
  void begin(std::unique_ptr<Piece> piece);
  void ended();
  void reportProgress(quint64 id, double share);

  std::unique_ptr<Piece> current_, next_;
  QThread *thread_ = nullptr;
  quint64 lastId_ = 0;
};

} // namespace ui
