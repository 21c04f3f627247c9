#pragma once

#include "shell/kit/testing/demo_okien.h"

namespace mirta::store::ui::testing {

using kit::testing::DemoOkien;
using kit::testing::Zrzut;

inline int Liczba(const engine::Dataset& ds, const char* pole) {
    const engine::Value& v = ds.Field(pole);
    return v.IsNull() ? 0 : static_cast<int>(v.AsInteger());
}

}  // namespace mirta::store::ui::testing
