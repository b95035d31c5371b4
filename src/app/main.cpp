#include "app/dunmore_app.h"

int main(int argc, char** argv) {
  torvale::CDunmoreApp app;
  return app.Run(argc, argv);
}
