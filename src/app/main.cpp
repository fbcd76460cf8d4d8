#include "app/application.h"

#include <cstring>

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        for (const char *info : {"-h", "--help", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], info) == 0)
                return Application::printCommandLineInfo(argc, argv);
        }
    }
    Application app(argc, argv);
    return app.run();
}
