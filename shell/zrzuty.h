#pragma once

#include "shell/kit/zrzuty.h"

namespace mirta::shell {

using kit::FolderZrzutow;
using kit::ZapiszZrzut;

}  // namespace mirta::shell
