#include "cli/check_command.hpp"

int main(int argc, char** argv) { return quillomat::lancerCommande(argc, argv); }
