#include "app/CommandLine.h"

int main(int argc, char* argv[]) {
    return vellum::app::Run(argc, argv);
}
