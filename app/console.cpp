#include "app/console.h"

#include <cstdio>

namespace console {

void Say(Stream stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream == Stream::kOutput ? stdout : stderr);
}

}  // namespace console
