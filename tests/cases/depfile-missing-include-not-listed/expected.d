@SCRATCH@/out.rc: \
  @SCRATCH@/in.r \
  @SCRATCH@/a.h
