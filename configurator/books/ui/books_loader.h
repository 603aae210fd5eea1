// Reads the books on a worker thread, so the page answers while a year of journal loads.
#pragma once

#include <QObject>

#include <memory>

#include "configurator/books/books_load.h"

class QThread;

namespace cfg {

class BooksLoader : public QObject {
  Q_OBJECT

 public:
  explicit BooksLoader(QObject* parent = nullptr);
  ~BooksLoader() override;

  // Starts reading `source`; a read still running is waited for first.
  void Start(const BooksSource& source);
  bool running() const { return thread_ != nullptr; }
  // Blocks until the read has ended and Loaded was sent (tools and tests).
  void Wait();

 signals:
  void Progress(int percent);
  void Loaded(std::shared_ptr<const cfg::LoadedBooks> books);

 private:
  void Finish();

  QThread* thread_ = nullptr;
  std::shared_ptr<LoadedBooks> result_;
};

}  // namespace cfg
