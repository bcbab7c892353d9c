// Our class-library layer: one header that brings in all of it.
#pragma once
#include <windows.h>
