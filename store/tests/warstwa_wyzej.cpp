// Compiled by the layering check, which expects it to fail: the store cannot see the shell.
#include "shell/glowny.h"
