// The maker's texts: banner lines, web address, window title and the About box.
#ifndef UI_MAKER_H_
#define UI_MAKER_H_

#include <QString>

#include "product.h"

namespace ui {

using product::kCompanyName;  // "Brelvan, Inc"; the banner adds one blank
inline constexpr char kSlogan[] = "Every measure, every time";
inline constexpr char kPostalAddress[] = "4410 Quarry Road, Millbrook, OH 43099";
inline constexpr char kTelephone[] = "Tel (614) 555-0142  FAX (614) 555-0143";
using product::kWebAddress;  // "http://www.brelvan.example/"; the link adds one blank
inline constexpr char kHeading[] = "Unit Converter";

// "Brelvan, Inc. Unit Converter (http://www.brelvan.example/)"
QString WindowTitle();
// The About box's text: a credit line, CR LF, then the copyright notice and the disclaimer.
QString AboutText();

}  // namespace ui

#endif  // UI_MAKER_H_
