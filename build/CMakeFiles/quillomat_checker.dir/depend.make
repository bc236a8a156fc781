# Empty dependencies file for quillomat_checker.
# This may be replaced when dependencies are built.
