#include "settings/Settings.h"

#include "base/Cp1251.h"

namespace kanavo {

const std::string& defaultProxyHost() {
    static const std::string text = cp1251::fromUtf8("<введите имя прокси-сервера>").value();
    return text;
}

} // namespace kanavo
