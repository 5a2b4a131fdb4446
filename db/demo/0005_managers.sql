-- Two house managers of the demonstration office; their houses are assigned once houses exist.
INSERT INTO Tb_SYS_DWYG (BH, YGBH, XM, XB, SZBM, SZDW, GZGW, BJ) VALUES
  (1, 'FG01', '王建国', '男', '客服部', '物业管理处', '房管员', 2),
  (2, 'FG02', '李秀英', '女', '客服部', '物业管理处', '收费员', 2);
