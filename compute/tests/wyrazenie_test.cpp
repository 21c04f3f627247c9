#include "compute/wyrazenie.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace mirta::compute {
namespace {

struct Wynik {
    long double wartosc;
    int32_t blad;
};

Wynik Oblicz(const std::string& tekst) {
    int32_t blad = 0;
    const long double w = ObliczWyrazenie(tekst, blad);
    return Wynik{w, blad};
}

TEST(Wyrazenie, Values) {
    struct Case {
        const char* tekst;
        long double wartosc;
    };
    const Case cases[] = {
        {"8-2-2", 4},
        {"8/2/2", 2},
        {"-2*3", -6},
        {"2*-3", -6},
        {"5--3", 8},
        {"5---3", 2},
        {"2+3*4", 14},
        {"(2+3)*4", 20},
        {"-(2+3)", -5},
        {"IF(1,2,3)", 2},
        {"IF(0,2,3)", 3},
        {"IF(0.00001,2,3)", 3},
        {"IF(1<2,10,1/0)", 10},  // only the chosen branch is evaluated
        {"max(2,2)", 2},
        {"min(2,2)", 2},
        {"max(1,3)", 3},
        {"min(-1,3)", -1},
        {"round(2.5,0)", 3},
        {"round(3085,-1)", 3090},
        {"round(1.005,2.9)", 1.01L},
        {"pow(2,10)", 1024},
        {"mod(7,3)", 1},
        {"mod(-7,3)", -1},
        {"abs(-4)", 4},
        {"sqrt(16)", 4},
        {"ceil(1.2)", 2},
        {"floor(-1.2)", -2},
        {"log10(1000)", 3},
        {"exp(0)", 1},
        {"log(1)", 0},
        {"sin(0)", 0},
        {"cosh(0)", 1},
        {"1<=1", 1},
        {"2>=1", 1},
        {"1#2", 1},
        {"1=1", 1},
        {"1#1", 0},
        {"2<1", 0},
        {"2>1", 1},
        {"1>=2", 0},
        {"1<=1.000000000001", 1},
        {"1=1.000000000001", 0},
        {"1|0", 1},
        {"0|0", 0},
        {"0|0.000002", 1},
        {"1&0", 0},
        {"1&2", 1},
        {"0&(1/0)", 0},
        {"1|1/0", 1},
        {"1<2&2<3", 1},
        {"1+1=2|0", 1},
        {"", 0},
        {"+", 0},
        {"=", 1},
        {"#", 0},
        {"000000000000003085", 3085},
        {"-1.5e3", -1500},
        {"2*1e-5", 0.00002L},
        {"1e+2+1", 101},
        {"\"ab\"=\"ab\"", 1},
        {"\"ab\"=\"ac\"", 0},
        {"\"ab\"#\"ac\"", -1},
        {"\"b\"#\"a\"", 1},
        {"\"a\"#\"a\"", 0},
        {"((1))", 1},
    };
    for (const auto& c : cases) {
        const Wynik w = Oblicz(c.tekst);
        EXPECT_EQ(w.blad, 0) << c.tekst;
        EXPECT_NEAR(static_cast<double>(w.wartosc), static_cast<double>(c.wartosc), 1e-12)
            << c.tekst;
    }
}

TEST(Wyrazenie, Errors) {
    struct Case {
        const char* tekst;
        int32_t blad;
    };
    const Case cases[] = {
        {"x", 2},           {"1)", 3},        {"(1+2", 4},       {"(1+2)3", 5},  {"IF(1,2)", 6},
        {"IF(1,2,3,4)", 7}, {"max(1)", 6},    {"max(1,2,3)", 7}, {"foo(1)", 8},  {"sinus(1)", 8},
        {"Sin(1)", 8},      {"1/0", 9},       {"/", 9},          {"ctan(0)", 9}, {"mod(1,0)", 9},
        {"1+1/(2-2)", 9},   {"max(1,2)3", 5}, {"2*(3", 4},       {"1 + 2", 8},
    };
    for (const auto& c : cases) {
        const Wynik w = Oblicz(c.tekst);
        EXPECT_EQ(w.blad, c.blad) << c.tekst;
        EXPECT_EQ(w.wartosc, kWynikBledu) << c.tekst;
    }
}

TEST(Wyrazenie, AnErrorAlreadySetShortCircuits) {
    int32_t blad = 4;
    EXPECT_EQ(ObliczWyrazenie("1+1", blad), kWynikPoBledzie);
    EXPECT_EQ(blad, 4);
}

TEST(Wyrazenie, DeepNestingIsAnErrorNotACrash) {
    const std::string gleboko = std::string(5000, '(') + "1" + std::string(5000, ')');
    EXPECT_EQ(Oblicz(gleboko).blad, kBladZaglebienia);
    std::string dlugie = "1";
    for (int i = 0; i < 5000; ++i)
        dlugie += "+1";
    EXPECT_EQ(Oblicz(dlugie).blad, kBladZaglebienia);
    std::string srednie = "1";
    for (int i = 0; i < 500; ++i)
        srednie += "+1";
    EXPECT_EQ(Oblicz(srednie).wartosc, 501);
}

}  // namespace
}  // namespace mirta::compute
