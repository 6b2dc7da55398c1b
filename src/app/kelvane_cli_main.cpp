#include "app/cli/Cli.h"

int main(int argc, char** argv) {
    return kelvane::cli::RunCli(argc, argv);
}
