file(REMOVE_RECURSE
  "libquillomat_checker.a"
)
