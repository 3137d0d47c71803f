#include "app/standard_texts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace app {

void UseBulgarianStandardTexts() {
  auto* translator = new QTranslator(QCoreApplication::instance());
  // One file by its full name: no search through the user's languages at start.
  if (translator->load(QStringLiteral("qtbase_bg.qm"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator);
  } else {
    delete translator;
  }
  QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

}  // namespace app
