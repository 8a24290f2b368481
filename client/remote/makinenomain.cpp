// Prints this computer's machine identifier, the key by which the server knows the computer.
#include "client/remote/utils.h"

#include <cstdio>

int main() {
    const QString kimlik = BilgisayarIdVer();
    std::printf("%s\n", kimlik.toUtf8().constData());
    if (kimlik.isEmpty()) {
        std::fprintf(stderr, "tevrano-makine-no: no disk serial or network adapter address could be read\n");
        return 1;
    }
    return 0;
}
