#include "cli/cli.hpp"

int main(int argc, char** argv) {
  return vantrel::cli::runProcess(argc, argv);
}
