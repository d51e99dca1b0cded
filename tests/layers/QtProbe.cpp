// Built with the platform core's setup by qt-probe.sh: it must not find any Qt header.
#include <QString>

int QtProbe() { return QString().size(); }
