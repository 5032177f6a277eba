@SCRATCH@/out.rc: \
  @SCRATCH@/in.r \
  @SCRATCH@/inc/ids.h
