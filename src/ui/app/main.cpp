// Until the main window exists, the application tells what it is and where its data lives.
#include <cstdio>

#include "base/ProgramFolder.h"

int main() {
  const auto folder = tavolo::ProgramFolder();
  std::printf("Tavolo %s\nProgram folder: %s\n", TAVOLO_VERSION, folder.string().c_str());
  return 0;
}
