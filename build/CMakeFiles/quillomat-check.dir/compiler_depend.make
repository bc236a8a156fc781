# Empty compiler generated dependencies file for quillomat-check.
# This may be replaced when dependencies are built.
