// Freeing what the object model hands out as a fresh string.
#pragma once

#include "adsdef.h"

// Frees a string an object-model call returned (tag(), textString()) and sets
// the pointer to nullptr. A nullptr is left alone.
void acutDelString(ACHAR*& str);
