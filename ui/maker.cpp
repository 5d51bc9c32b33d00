#include "ui/maker.h"

#include <QChar>

#include "product.h"

namespace ui {

namespace {
constexpr char kAuthor[] = "Dana Okafor";
constexpr char kAuthorMail[] = "dana.okafor@brelvan.example";
constexpr char kCopyrightYear[] = "2026";
constexpr char kDisclaimer[] =
    " is not responsible for the inaccuracy of this Converter and takes no liability for persons "
    "or property in its use! ";
}  // namespace

QString WindowTitle() {
  return QString::fromUtf8(product::kWindowTitle);
}

QString AboutText() {
  const QString credit =
      QStringLiteral("%1 %2 by %3 (%4)")
          .arg(QString::fromUtf8(product::kProductName), QString::fromUtf8(product::kVersion),
               QString::fromUtf8(kAuthor), QLatin1String(kAuthorMail));
  // The copyright sign is character 169 of the Latin-1 range.
  const QString copyright = QStringLiteral("Copyright %1 %2 %3. (%4)")
                                .arg(QString(QChar(169)), QLatin1String(kCopyrightYear),
                                     QLatin1String(kCompanyName), QLatin1String(kWebAddress));
  return credit + QStringLiteral("\r\n") + copyright + QLatin1String(kDisclaimer);
}

}  // namespace ui
