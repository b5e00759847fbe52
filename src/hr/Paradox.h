#pragma once

// pxlib's header is plain C without its own extern "C" guard.
extern "C" {
#include <paradox.h>
}
