// Opening a file, a web address or a mail with the system's default handler,
// behind an interface so that the tests open nothing.
#pragma once

#include <QUrl>

class SystemOpener {
 public:
  virtual ~SystemOpener() = default;
  // False when the system has no handler or the handler failed.
  virtual bool ouvrir(const QUrl& adresse) = 0;
};

class OuvreurSysteme : public SystemOpener {
 public:
  bool ouvrir(const QUrl& adresse) override;
};
