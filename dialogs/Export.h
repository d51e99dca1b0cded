#pragma once
// Marks the entry points the dialog library exports by name.

#if defined(_WIN32)
#if defined(LENVARI_DLL_BUILD)
#define LENVARI_DLL_EXPORT __declspec(dllexport)
#else
#define LENVARI_DLL_EXPORT __declspec(dllimport)
#endif
#else
#define LENVARI_DLL_EXPORT __attribute__((visibility("default")))
#endif
