-- House entry: the customer-service telephone that the house wizard offers when none of its
-- numbering rules fits an office's house numbers (a system setting, BJ 9).
INSERT INTO Tb_SYS_Param (BH, CSMC, CSZ, BJ)
  SELECT COALESCE(MAX(BH), 0) + 1, '客服电话', '400-880-6655', 9 FROM Tb_SYS_Param
  WHERE NOT EXISTS (SELECT 1 FROM Tb_SYS_Param WHERE CSMC = '客服电话');
