@SCRATCH@/out.rc: \
  @SCRATCH@/in.r \
  @SCRATCH@/a.h \
  @SCRATCH@/sub/b.h
