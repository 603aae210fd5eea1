#include "configurator/books/ui/books_loader.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>

namespace cfg {

BooksLoader::BooksLoader(QObject* parent) : QObject(parent) {}

BooksLoader::~BooksLoader() {
  if (thread_) thread_->wait();
}

void BooksLoader::Start(const BooksSource& source) {
  Wait();
  auto result = std::make_shared<LoadedBooks>();
  result_ = result;
  QPointer<BooksLoader> self(this);
  thread_ = QThread::create([result, source, self] {
    *result = LoadBooks(source, [self](std::uint64_t done, std::uint64_t total) {
      const int percent = total ? int(done * 100 / total) : 100;
      if (self) QMetaObject::invokeMethod(self.data(), [self, percent] { if (self) emit self->Progress(percent); },
                                          Qt::QueuedConnection);
    });
  });
  connect(thread_, &QThread::finished, this, &BooksLoader::Finish);
  thread_->start();
}

void BooksLoader::Wait() {
  if (!thread_) return;
  thread_->wait();
  Finish();
}

void BooksLoader::Finish() {
  if (!thread_) return;
  thread_->deleteLater();
  thread_ = nullptr;
  emit Loaded(result_);
}

}  // namespace cfg
