#include "ui/xdg_desktop.h"

#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QUrl>
#include <cstdlib>

#include "ui/command_line.h"
#include "ui/desktop_entry.h"

namespace zq {

namespace {

// Far above any real mimeapps.list or desktop entry; a larger file is not one.
constexpr qint64 kKeyFileLimit = 1 << 20;

std::optional<std::string> readKeyFile(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly) || file.size() > kKeyFileLimit) {
    return std::nullopt;
  }
  return file.read(kKeyFileLimit).toStdString();
}

// The command line of the desktop entry `id`: the first file of that name in the
// applications folders is the entry, usable or not. IDs that would leave the folders are
// refused.
std::optional<std::string> commandOfEntry(const std::string& id,
                                          const std::vector<std::string>& applications) {
  if (id.find('/') != std::string::npos || id.starts_with('.')) {
    return std::nullopt;
  }
  for (const std::string& dir : applications) {
    if (const std::optional<std::string> entry = readKeyFile(dir + '/' + id)) {
      const std::optional<std::string> exec = desktopEntryExec(*entry);
      return exec ? execToCommandLine(*exec) : std::nullopt;
    }
  }
  return std::nullopt;
}

}  // namespace

Desktop& systemDesktop() {
  static XdgDesktop desktop;
  return desktop;
}

bool XdgDesktop::openWithDefaultHandler(std::string_view target) {
  const QUrl url =
      QUrl::fromEncoded(QByteArray(target.data(), static_cast<qsizetype>(target.size())));
  return url.isValid() && !url.isEmpty() && QDesktopServices::openUrl(url);
}

std::optional<std::string> XdgDesktop::registeredWebCommand() {
  return registeredWebCommand(xdgDirs([](std::string_view name) -> std::optional<std::string> {
    const char* value = std::getenv(std::string(name).c_str());
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
  }));
}

std::optional<std::string> XdgDesktop::registeredWebCommand(const XdgDirs& dirs) {
  const std::vector<std::string> applications = applicationDirs(dirs);
  for (const std::string& list : mimeappsListPaths(dirs)) {
    const std::optional<std::string> content = readKeyFile(list);
    if (!content) {
      continue;
    }
    // A default whose entry is missing or unusable gives way to the next one.
    for (const std::string& id : defaultApplications(*content, "text/html")) {
      if (std::optional<std::string> command = commandOfEntry(id, applications)) {
        return command;
      }
    }
  }
  return std::nullopt;
}

bool XdgDesktop::runCommandLine(std::string_view commandLine) {
  const std::optional<std::vector<std::string>> words = splitCommandLine(commandLine);
  if (!words) {
    return false;
  }
  QStringList arguments;
  for (std::size_t i = 1; i < words->size(); ++i) {
    arguments << QString::fromStdString((*words)[i]);
  }
  return QProcess::startDetached(QString::fromStdString(words->front()), arguments);
}

}  // namespace zq
