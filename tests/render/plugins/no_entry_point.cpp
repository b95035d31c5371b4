// A library that loads but has no "GetPlugin".

#include <QtGlobal>

extern "C" Q_DECL_EXPORT int NotTheRendererEntryPoint() { return 42; }
