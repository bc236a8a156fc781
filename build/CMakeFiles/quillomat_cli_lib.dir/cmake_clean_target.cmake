file(REMOVE_RECURSE
  "libquillomat_cli_lib.a"
)
