@SCRATCH@/out\ put.rc: \
  @SCRATCH@/in.r \
  @SCRATCH@/my\ dir/a\ b\#1$$.h
