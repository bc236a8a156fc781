# Empty compiler generated dependencies file for quillomat_cli_lib.
# This may be replaced when dependencies are built.
